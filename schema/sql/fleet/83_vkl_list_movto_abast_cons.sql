-- Fuellings of a period with the distance since the vehicle's previous fuelling and the
-- kilometres per litre. The previous fuelling may lie before the period; a vehicle's first
-- fuelling has distance 0. Fuellings follow each other by date, then accumulated odometer (the
-- order of the fuelling window). Rows come out grouped by fleet number, as the report groups them.
SET TERM ^ ;

create procedure vkl_list_movto_abast_cons (p_ma_data_ini date, p_ma_data_fin date)
returns (
  r_ma_veic integer,
  r_ve_nro varchar(7),
  r_ve_modelo varchar(40),
  r_ve_letra_placa varchar(4),
  r_ve_nro_placa varchar(4),
  r_ma_data date,
  r_ma_km integer,
  r_ma_combust integer,
  r_tc_descr varchar(25),
  r_ma_qtde numeric(18,2),
  r_ma_valor numeric(18,2),
  r_mo_nome varchar(40),
  r_ma_usuario integer,
  r_eu_nome varchar(40),
  r_km_percorr integer,
  r_km_consumo numeric(18,2),
  r_vr_tot_abast numeric(18,2))
as
declare variable v_ini date;
declare variable v_fin date;
declare variable v_acum integer;
declare variable v_anterior integer;
begin
  v_ini = coalesce(p_ma_data_ini, date '0001-01-01');
  v_fin = coalesce(p_ma_data_fin, date '9999-12-31');

  for select ve_cod, ve_nro, ve_modelo, ve_letra_placa, ve_nro_placa
        from vkl_veiculos
       where exists (select 1 from vkl_movto_abast
                      where ma_veic = ve_cod and ma_data between :v_ini and :v_fin)
       order by ve_nro, ve_cod
        into :r_ma_veic, :r_ve_nro, :r_ve_modelo, :r_ve_letra_placa, :r_ve_nro_placa
  do
  begin
    v_anterior = null;
    select first 1 ma_km_acum from vkl_movto_abast
     where ma_veic = :r_ma_veic and ma_data < :v_ini
     order by ma_data desc, ma_km_acum desc, ma_ano desc, ma_seq desc
      into :v_anterior;

    for select ma_data, ma_km, ma_combust, tc_descr, ma_qtde, ma_valor, mo_nome, ma_usuario,
               eu_nome, ma_km_acum
          from vkl_movto_abast
          left join vkl_tipo_combust on tc_cod = ma_combust
          left join vkl_motoristas on mo_cod = ma_motorista
          left join vkl_empr_usu on eu_cod = ma_usuario
         where ma_veic = :r_ma_veic and ma_data between :v_ini and :v_fin
         order by ma_data, ma_km_acum, ma_ano, ma_seq
          into :r_ma_data, :r_ma_km, :r_ma_combust, :r_tc_descr, :r_ma_qtde, :r_ma_valor,
               :r_mo_nome, :r_ma_usuario, :r_eu_nome, :v_acum
    do
    begin
      if (v_anterior is null or v_acum is null) then
        r_km_percorr = 0;
      else
        r_km_percorr = v_acum - v_anterior;
      if (v_acum is not null) then
        v_anterior = v_acum;

      if (r_ma_qtde is null or r_ma_qtde = 0) then
        r_km_consumo = 0;
      else
        r_km_consumo = cast(r_km_percorr as numeric(18,4)) / r_ma_qtde;

      r_vr_tot_abast = r_ma_valor;
      suspend;
    end
  end
end^

SET TERM ; ^

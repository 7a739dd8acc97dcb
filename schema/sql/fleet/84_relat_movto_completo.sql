-- Everything that happened to the fleet in a period, one row per movement of the chosen kinds:
-- r_tp_mov 1 trip, 2 fuelling, 3 maintenance, 4 licensing, 5 fine, 6 insurance. Each kind fills
-- the columns of its own and leaves the others NULL. Codes come back as VARCHAR, which the
-- client reads without the blank padding a UTF8 CHAR column brings.
--
-- Dates of the period: a trip's departure, a fuelling's date, a maintenance's entry, the start
-- of a licensing's validity (its end when the start is blank), a fine's infraction date and a
-- policy's start (its end when the start is blank).
--
-- Filters, each NULL (or blank) for none:
--   p_nro_veic    the vehicle's fleet number, for every kind;
--   p_motorista   the driver of trips, fuellings, maintenance and fines; licensing and insurance
--                 belong to no driver and are left out when a driver is chosen;
--   p_setor       with p_tp_setor 'V' the vehicle's sector; with 'A' the sector the movement is
--                 charged to: a trip's own sector, and the vehicle's for every other kind and
--                 for a trip without one;
--   p_empr_usu, p_posto   the user company and the origin ('01', '02') of fuellings; they do not
--                 restrict the other kinds.
-- r_nome_mot, r_descr_setor and r_nome_empr_ab describe the chosen driver, sector and company on
-- every row they apply to, so a page heading reads right whichever row opens the page.
SET TERM ^ ;

create procedure relat_movto_completo (
  p_dt_ini date,
  p_dt_fin date,
  p_nro_veic varchar(7),
  p_motorista integer,
  p_setor varchar(8),
  p_tp_setor char(1),
  p_empr_usu integer,
  p_posto char(2),
  p_mv_mov char(1),
  p_mv_abast char(1),
  p_mv_manut char(1),
  p_mv_licen char(1),
  p_mv_multa char(1),
  p_mv_seg char(1))
returns (
  r_veic varchar(7),
  r_modelo varchar(40),
  r_placa varchar(9),
  r_set_veic varchar(8),
  r_dsc_set_veic varchar(40),
  r_tp_mov varchar(1),
  r_dt_movto date,
  r_apel_mot varchar(15),
  r_nome_mot varchar(40),
  r_descr_setor varchar(40),
  r_nome_empr_ab varchar(40),
  r_hr_saida time,
  r_km_saida integer,
  r_dest_02 varchar(130),
  r_dt_retorno date,
  r_hr_retorno time,
  r_km_retorno integer,
  r_km_virada integer,
  r_km_ab integer,
  r_km_acum_ab integer,
  r_qt_ab numeric(18,2),
  r_descr_comb varchar(25),
  r_vr_ab numeric(18,2),
  r_km_man integer,
  r_hr_entr_man time,
  r_dt_sai_man date,
  r_hr_sai_man time,
  r_situa_man varchar(1),
  r_hrs_man numeric(18,2),
  r_vr_man numeric(18,2),
  r_km_lic integer,
  r_vr_lic numeric(18,2),
  r_km_mult integer,
  r_vr_mult numeric(18,2),
  r_km_seg integer,
  r_vr_seg numeric(18,2))
as
declare variable v_ini date;
declare variable v_fin date;
declare variable v_veic integer;
declare variable v_km_virada integer;
declare variable v_setor_mov varchar(8);
declare variable v_nome_empr varchar(40);
declare variable v_destino integer;
declare variable v_de_descr varchar(60);
declare variable v_descr_dest varchar(60);
begin
  v_ini = coalesce(p_dt_ini, date '0001-01-01');
  v_fin = coalesce(p_dt_fin, date '9999-12-31');
  if (trim(p_nro_veic) = '') then p_nro_veic = null;
  if (trim(replace(p_setor, '.', '')) = '') then p_setor = null;
  if (trim(p_posto) = '') then p_posto = null;
  if (p_tp_setor is distinct from 'A') then p_tp_setor = 'V';
  if (p_empr_usu is not null) then
    select eu_nome from vkl_empr_usu where eu_cod = :p_empr_usu into :v_nome_empr;

  for select ve_cod, ve_nro, ve_modelo,
             coalesce(ve_letra_placa, '') || '-' || coalesce(ve_nro_placa, ''),
             ve_setor, st_nome, ve_km_virada
        from vkl_veiculos
        left join setores on st_exerc = ve_ano_setor and st_cod = ve_setor
       where (:p_nro_veic is null or ve_nro = :p_nro_veic)
         and (:p_setor is null or :p_tp_setor = 'A' or ve_setor = :p_setor)
       order by ve_nro, ve_cod
        into :v_veic, :r_veic, :r_modelo, :r_placa, :r_set_veic, :r_dsc_set_veic, :v_km_virada
  do
  begin
    -- Trips.
    if (p_mv_mov = 'S') then
    begin
      r_tp_mov = '1';
      r_nome_empr_ab = v_nome_empr;
      r_km_virada = v_km_virada;
      for select mv_dt_saida, mo_apelido, mo_nome,
                 iif(trim(coalesce(mv_setor, '')) = '', null, mv_setor),
                 (select st_nome from setores where st_exerc = mv_ano and st_cod = mv_setor),
                 mv_hr_saida, mv_km_saida, mv_destino, de_descr, mv_descr_dest,
                 mv_dt_retorno, mv_hr_retorno, mv_km_retorno
            from vkl_movto_veic
            left join vkl_motoristas on mo_cod = mv_motorista
            left join vkl_destinos on de_cod = mv_destino
           where mv_veic = :v_veic and mv_dt_saida between :v_ini and :v_fin
             and (:p_motorista is null or mv_motorista = :p_motorista)
            into :r_dt_movto, :r_apel_mot, :r_nome_mot, :v_setor_mov, :r_descr_setor,
                 :r_hr_saida, :r_km_saida, :v_destino, :v_de_descr, :v_descr_dest,
                 :r_dt_retorno, :r_hr_retorno, :r_km_retorno
      do
      begin
        if (v_setor_mov is null) then
        begin
          v_setor_mov = r_set_veic;
          r_descr_setor = r_dsc_set_veic;
        end
        if (p_setor is null or p_tp_setor = 'V' or v_setor_mov = p_setor) then
        begin
          -- The destination reads as its registered name, then what the user wrote.
          v_descr_dest = trim(coalesce(v_descr_dest, ''));
          if (v_destino > 0 and v_de_descr is not null) then
            r_dest_02 = trim(v_de_descr) || iif(v_descr_dest = '', '', ' - ' || v_descr_dest);
          else
            r_dest_02 = v_descr_dest;
          suspend;
        end
      end
      r_hr_saida = null; r_km_saida = null; r_dest_02 = null; r_dt_retorno = null;
      r_hr_retorno = null; r_km_retorno = null; r_km_virada = null;
    end

    -- Every other kind is charged to the vehicle's sector.
    if (p_setor is null or p_tp_setor = 'V' or r_set_veic = p_setor) then
    begin
      r_descr_setor = r_dsc_set_veic;

      -- Fuellings.
      if (p_mv_abast = 'S') then
      begin
        r_tp_mov = '2';
        for select ma_data, mo_apelido, mo_nome, eu_nome, ma_km, ma_km_acum, ma_qtde, tc_descr,
                   ma_valor
              from vkl_movto_abast
              left join vkl_motoristas on mo_cod = ma_motorista
              left join vkl_empr_usu on eu_cod = ma_usuario
              left join vkl_tipo_combust on tc_cod = ma_combust
             where ma_veic = :v_veic and ma_data between :v_ini and :v_fin
               and (:p_motorista is null or ma_motorista = :p_motorista)
               and (:p_empr_usu is null or ma_usuario = :p_empr_usu)
               and (:p_posto is null or ma_origem = :p_posto)
              into :r_dt_movto, :r_apel_mot, :r_nome_mot, :r_nome_empr_ab, :r_km_ab,
                   :r_km_acum_ab, :r_qt_ab, :r_descr_comb, :r_vr_ab
        do
          suspend;
        r_km_ab = null; r_km_acum_ab = null; r_qt_ab = null; r_descr_comb = null;
        r_vr_ab = null;
      end
      r_nome_empr_ab = v_nome_empr;

      -- Maintenance.
      if (p_mv_manut = 'S') then
      begin
        r_tp_mov = '3';
        for select mtv_dt_entr, mo_apelido, mo_nome, mtv_km, mtv_hr_entr, mtv_dt_saida,
                   mtv_hr_saida, mtv_situa, mtv_hrs_manut, mtv_vr_total
              from vkl_manut_veic
              left join vkl_motoristas on mo_cod = mtv_motorista
             where mtv_veic = :v_veic and mtv_dt_entr between :v_ini and :v_fin
               and (:p_motorista is null or mtv_motorista = :p_motorista)
              into :r_dt_movto, :r_apel_mot, :r_nome_mot, :r_km_man, :r_hr_entr_man,
                   :r_dt_sai_man, :r_hr_sai_man, :r_situa_man, :r_hrs_man, :r_vr_man
        do
          suspend;
        r_km_man = null; r_hr_entr_man = null; r_dt_sai_man = null; r_hr_sai_man = null;
        r_situa_man = null; r_hrs_man = null; r_vr_man = null;
      end

      -- Fines.
      if (p_mv_multa = 'S') then
      begin
        r_tp_mov = '5';
        for select mu_data, mo_apelido, mo_nome, mu_km, mu_vr_total
              from vkl_multas
              left join vkl_motoristas on mo_cod = mu_motorista
             where mu_veic = :v_veic and mu_data between :v_ini and :v_fin
               and (:p_motorista is null or mu_motorista = :p_motorista)
              into :r_dt_movto, :r_apel_mot, :r_nome_mot, :r_km_mult, :r_vr_mult
        do
          suspend;
        r_km_mult = null; r_vr_mult = null;
      end

      -- Licensing and insurance belong to the vehicle, not to a driver.
      r_apel_mot = null;
      r_nome_mot = null;
      if (p_motorista is null) then
      begin
        if (p_mv_licen = 'S') then
        begin
          r_tp_mov = '4';
          for select coalesce(lc_dt_ini, lc_dt_term), lc_km, lc_vr_total
                from vkl_licenciamento
               where lc_veic = :v_veic
                 and coalesce(lc_dt_ini, lc_dt_term) between :v_ini and :v_fin
                into :r_dt_movto, :r_km_lic, :r_vr_lic
          do
            suspend;
          r_km_lic = null; r_vr_lic = null;
        end

        if (p_mv_seg = 'S') then
        begin
          r_tp_mov = '6';
          for select coalesce(sv_dt_ini, sv_dt_term), sv_km,
                     coalesce(sv_vr_premio, 0) + coalesce(sv_vr_franq, 0)
                from vkl_seguros
               where sv_veic = :v_veic
                 and coalesce(sv_dt_ini, sv_dt_term) between :v_ini and :v_fin
                into :r_dt_movto, :r_km_seg, :r_vr_seg
          do
            suspend;
          r_km_seg = null; r_vr_seg = null;
        end
      end
    end
    r_tp_mov = null; r_dt_movto = null; r_apel_mot = null; r_nome_mot = null;
    r_descr_setor = null; r_nome_empr_ab = null;
  end
end^

SET TERM ; ^

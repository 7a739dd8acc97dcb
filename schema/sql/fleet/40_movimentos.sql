-- The fleet's daily operation and its monthly condensation. Movements are keyed by the exercise
-- of creation, a sequence restarting each exercise, and the vehicle. All are inserted without a
-- column list, so the column order is fixed.

create table vkl_movto_veic (
  mv_ano integer not null,
  mv_seq integer not null,
  mv_veic integer not null,
  mv_motorista integer,
  mv_dt_saida date,
  mv_hr_saida time,
  mv_km_saida integer,
  mv_dt_retorno date,
  mv_hr_retorno time,
  mv_km_retorno integer,
  mv_passageiros varchar(60),
  mv_destino integer,
  mv_descr_dest varchar(60),
  mv_ocorr varchar(200),
  mv_setor varchar(8),
  mv_setor_conv varchar(40),
  mv_linha integer,
  mv_km_acum integer,
  mv_tp_movto char(1),
  mv_km_contr char(1),
  constraint pk_vkl_movto_veic primary key (mv_ano, mv_seq, mv_veic)
);

create table vkl_movto_abast (
  ma_ano integer not null,
  ma_seq integer not null,
  ma_veic integer not null,
  ma_motorista integer,
  ma_data date,
  ma_km integer,
  ma_combust integer not null,
  ma_qtde numeric(18,2),
  ma_valor numeric(18,2),
  ma_forn integer,
  ma_forn_conv varchar(40),
  ma_doc varchar(15),
  ma_nt_fiscal varchar(15),
  ma_origem char(2),
  ma_usuario integer,
  ma_km_acum integer,
  ma_km_contr char(1),
  constraint pk_vkl_movto_abast primary key (ma_ano, ma_seq, ma_veic)
);

create table vkl_manut_veic (
  mtv_ano integer not null,
  mtv_seq integer not null,
  mtv_veic integer not null,
  mtv_motorista integer not null,
  mtv_dt_entr date,
  mtv_hr_entr time,
  mtv_dt_saida date,
  mtv_hr_saida time,
  mtv_hrs_manut numeric(18,2),
  mtv_km integer,
  mtv_situa char(1),
  mtv_tipo char(1),
  mtv_causa integer not null,
  mtv_forn integer not null,
  mtv_emitente varchar(40),
  mtv_serv_terc char(1),
  mtv_doc varchar(15),
  mtv_especif varchar(500),
  mtv_obs varchar(50),
  mtv_vr_total numeric(18,2),
  constraint pk_vkl_manut_veic primary key (mtv_ano, mtv_seq, mtv_veic)
);

create table vkl_itens_manut_veic (
  imtv_ano integer not null,
  imtv_seq integer not null,
  imtv_veic integer not null,
  imtv_item integer not null,
  imtv_material integer not null,
  imtv_quant numeric(18,2),
  imtv_valor numeric(18,2),
  imtv_se_ano integer,
  imtv_se_nro integer,
  imtv_se_item integer,
  constraint pk_vkl_itens_manut_veic primary key (imtv_ano, imtv_seq, imtv_veic, imtv_item)
);

create table vkl_resumo_mensal (
  rm_ano integer not null,
  rm_mes integer not null,
  rm_veic integer not null,
  rm_litros_consu numeric(18,2),
  rm_km_rod_abast integer,
  rm_qt_abast integer,
  rm_km_rodado integer,
  rm_minuto_rodado integer,
  rm_dias_rodado integer,
  rm_qt_manut integer,
  rm_hrs_manut numeric(18,2),
  rm_qt_multas integer,
  rm_vr_combust numeric(18,2),
  rm_vr_manut numeric(18,2),
  rm_vr_licenc numeric(18,2),
  rm_vr_multas numeric(18,2),
  rm_vr_seguro numeric(18,2),
  rm_ult_km_abast integer,
  rm_ult_lts_abast numeric(18,2),
  constraint pk_vkl_resumo_mensal primary key (rm_ano, rm_mes, rm_veic)
);
